<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="zh_HK">
<context>
    <name>Combat</name>
    <message>
        <source>攻擊力增加了 </source>
        <extracomment>Before the bonus the hero&apos;s weapon and luck add to a dice throw.</extracomment>
        <translation>攻击力增加了 </translation>
    </message>
    <message>
        <source>你找到了《Zorvath》,</source>
        <extracomment>Victory and defeat, line 1.</extracomment>
        <translation>你找到了《Zorvath》,</translation>
    </message>
    <message>
        <source>     並殺了《Zorvath》！</source>
        <extracomment>Victory, line 2.</extracomment>
        <translation>     并杀了《Zorvath》！</translation>
    </message>
    <message>
        <source>    和《Zorvath》！</source>
        <extracomment>Victory, line 3: a deadpan echo.</extracomment>
        <translation>    和《Zorvath》！</translation>
    </message>
    <message>
        <source>但《Zorvath》唔高興!</source>
        <extracomment>Defeat, line 2: without the thing that beats it, Zorvath eats the hero.</extracomment>
        <translation>但《Zorvath》不高兴!</translation>
    </message>
    <message>
        <source>嗚．．．．．．．</source>
        <extracomment>Defeat, line 3: a wail.</extracomment>
        <translation>呜．．．．．．．</translation>
    </message>
    <message>
        <source>你死硬啦！</source>
        <extracomment>Death, line 1: out of attack points, or a lost fight.</extracomment>
        <translation>你死定了！</translation>
    </message>
    <message>
        <source>做左</source>
        <extracomment>Death, line 2: &quot;became ...&quot;</extracomment>
        <translation>成了</translation>
    </message>
    <message>
        <source>《Zorvath》的美食！</source>
        <extracomment>Death, line 3: &quot;... Zorvath&apos;s delicacy!&quot;</extracomment>
        <translation>《Zorvath》的美食！</translation>
    </message>
</context>
<context>
    <name>Dungeon file</name>
    <message>
        <source>第 %1 號房間的形狀編號 %2 不正確（應為 0 至 15）。</source>
        <translation>第 %1 号房间的形状编号 %2 不正确（应为 0 至 15）。</translation>
    </message>
    <message>
        <source>第 %1 號房間的物品編號 %2 不正確（應為 0 至 7）。</source>
        <translation>第 %1 号房间的物品编号 %2 不正确（应为 0 至 7）。</translation>
    </message>
    <message>
        <source>第 %1 號房間是起點，但該處沒有房間。</source>
        <extracomment>%1: the start room, 45.</extracomment>
        <translation>第 %1 号房间是起点，但该处没有房间。</translation>
    </message>
    <message>
        <source>第 %1 號房間的%2面有門通往地圖以外。</source>
        <extracomment>%2: a side.</extracomment>
        <translation>第 %1 号房间的%2面有门通往地图以外。</translation>
    </message>
    <message>
        <source>第 %1 號房間的%2面有門通往沒有房間的第 %3 號位置。</source>
        <extracomment>%2: a side; %3: the number of the place without a room.</extracomment>
        <translation>第 %1 号房间的%2面有门通往没有房间的第 %3 号位置。</translation>
    </message>
    <message>
        <source>……</source>
        <extracomment>More problems than are shown.</extracomment>
        <translation>……</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
遊戲無法開始。</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
游戏无法开始。</translation>
    </message>
    <message>
        <source>無法開啟地下城檔案「%1」！</source>
        <translation>无法打开地下城文件“%1”！</translation>
    </message>
    <message>
        <source>地下城檔案「%1」太短：需要 320 位元組，但只有 %2 位元組。</source>
        <extracomment>%2: the bytes the file has.</extracomment>
        <translation>地下城文件“%1”太短：需要 320 字节，但只有 %2 字节。</translation>
    </message>
</context>
<context>
    <name>Dungeon tool</name>
    <message>
        <source>注意：</source>
        <extracomment>Before each advisory note; notes never make a command fail.</extracomment>
        <translation>注意：</translation>
    </message>
    <message>
        <source>遊戲會接受這個地下城。</source>
        <translation>游戏会接受这个地下城。</translation>
    </message>
    <message>
        <source>遊戲無法使用這個地下城。</source>
        <translation>游戏无法使用这个地下城。</translation>
    </message>
    <message>
        <source>第 %1 號房間的%2面有門通往第 %3 號房間，但第 %3 號房間沒有門回來：要先從這邊走過去一次，才可以走回來。</source>
        <extracomment>%1 and %3: room numbers; %2: a side (as in the dungeon file&apos;s messages).</extracomment>
        <translation>第 %1 号房间的%2面有门通往第 %3 号房间，但第 %3 号房间没有门回来：要先从这边走过去一次，才可以走回来。</translation>
    </message>
    <message>
        <source>由起點（第 45 號房間）走不到以下房間，只能靠符咒到達（遊戲開始時物品會洗牌，任何物品都可能落在那裡）：第 %1 號房間。</source>
        <extracomment>%1: a list of room numbers, joined by ListSeparator.</extracomment>
        <translation>由起点（第 45 号房间）走不到以下房间，只能靠符咒到达（游戏开始时物品会洗牌，任何物品都可能落在那里）：第 %1 号房间。</translation>
    </message>
    <message>
        <source>由起點（第 45 號房間）走不到以下房間，只能靠符咒或傳輸器到達（遊戲開始時物品會洗牌，任何物品都可能落在那裡）：第 %1 號房間。</source>
        <extracomment>%1: a list of room numbers, joined by ListSeparator.</extracomment>
        <translation>由起点（第 45 号房间）走不到以下房间，只能靠符咒或传输器到达（游戏开始时物品会洗牌，任何物品都可能落在那里）：第 %1 号房间。</translation>
    </message>
    <message>
        <source>以下位置沒有房間，用符咒選中時會被拒絕：第 %1 號位置。</source>
        <extracomment>%1: a list of place numbers, joined by ListSeparator.</extracomment>
        <translation>以下位置没有房间，用符咒选中时会被拒绝：第 %1 号位置。</translation>
    </message>
    <message>
        <source>第 %1 號位置沒有房間，但放了%2：洗牌不會移動它，遊戲中永遠不會遇到。</source>
        <extracomment>%1: a place&apos;s number; %2: an item&apos;s name (ItemNames).</extracomment>
        <translation>第 %1 号位置没有房间，但放了%2：洗牌不会移动它，游戏中永远不会遇到。</translation>
    </message>
    <message>
        <source>起點（第 45 號房間）放了%1：洗牌不會移動它，要離開再回來才會遇到。</source>
        <extracomment>%1: an item&apos;s name (ItemNames).</extracomment>
        <translation>起点（第 45 号房间）放了%1：洗牌不会移动它，要离开再回来才会遇到。</translation>
    </message>
    <message>
        <source>地下城裡沒有《Zorvath》（物品 7）：遊戲無法打勝，提示會指向第 0 號房間。</source>
        <translation>地下城里没有《Zorvath》（物品 7）：游戏无法打胜，提示会指向第 0 号房间。</translation>
    </message>
    <message>
        <source>地下城裡有 %1 個《Zorvath》（第 %2 號房間）：洗牌後提示只會指向編號最大的一個。</source>
        <extracomment>%1: how many (2 or more); %2: a list of room numbers, joined by ListSeparator.</extracomment>
        <translation>地下城里有 %1 个《Zorvath》（第 %2 号房间）：洗牌后提示只会指向编号最大的一个。</translation>
    </message>
    <message>
        <source>、</source>
        <translation>、</translation>
    </message>
    <message>
        <source>血漿</source>
        <extracomment>Item names by item code, 1 to 7, as the notes put them in.</extracomment>
        <translation>血浆</translation>
    </message>
    <message>
        <source>符咒</source>
        <translation>符咒</translation>
    </message>
    <message>
        <source>港幣</source>
        <translation>港币</translation>
    </message>
    <message>
        <source>Krellik</source>
        <translation>Krellik</translation>
    </message>
    <message>
        <source>PIZZA外賣仔</source>
        <translation>PIZZA外卖小哥</translation>
    </message>
    <message>
        <source>遠距離傳輸器</source>
        <translation>远距离传输器</translation>
    </message>
    <message>
        <source>《Zorvath》</source>
        <translation>《Zorvath》</translation>
    </message>
</context>
<context>
    <name>Exploration</name>
    <message>
        <source>你無法進入呢個房間！</source>
        <extracomment>A wall where the player tried to walk.</extracomment>
        <translation>你无法进入这个房间！</translation>
    </message>
    <message>
        <source> 個港幣！</source>
        <extracomment>After the amount found, 2 to 4: &quot;3 個港幣！&quot;.</extracomment>
        <translation> 个港币！</translation>
    </message>
    <message>
        <source>       一個對付Krellik符咒！</source>
        <extracomment>A charm against the skeleton Krellik; drawn from x = 44, about 150 pixels.</extracomment>
        <translation>       一个对付Krellik符咒！</translation>
    </message>
    <message>
        <source>     &#x3000;一瓶血漿！</source>
        <extracomment>A bottle of serum: drunk in a fight, it gives attack points.</extracomment>
        <translation>     &#x3000;一瓶血浆！</translation>
    </message>
    <message>
        <source>   ＊PIZZA外賣仔＊ ！！!</source>
        <extracomment>The thief is a pizza delivery boy who makes off with a quarter of the money.</extracomment>
        <translation>   ＊PIZZA外卖小哥＊ ！！!</translation>
    </message>
    <message>
        <source>一個遠距離傳輸器！</source>
        <extracomment>A long-distance teleporter: it throws the hero into another room.</extracomment>
        <translation>一个远距离传输器！</translation>
    </message>
    <message>
        <source>  &#x3000;&#x3000;撞到Krellik!</source>
        <extracomment>Ran into the skeleton Krellik: a dice fight follows.</extracomment>
        <translation>  &#x3000;&#x3000;撞到Krellik!</translation>
    </message>
    <message>
        <source>你喝左一瓶血漿！</source>
        <extracomment>Message box, first line; the second is &quot;+17 攻擊力點數！&quot;.</extracomment>
        <translation>你喝了一瓶血浆！</translation>
    </message>
    <message>
        <source>+</source>
        <translation>+</translation>
    </message>
    <message>
        <source> 攻擊力點數！</source>
        <extracomment>After the attack points the serum gave: &quot;+17 攻擊力點數！&quot;.</extracomment>
        <translation> 攻击力点数！</translation>
    </message>
    <message>
        <source>你冇對付『飛虎隊咸豬手–Krellik』符咒可用！</source>
        <extracomment>No charm left. Krellik&apos;s nickname: a groper from the police special duties unit (飛虎隊, the &quot;Flying Tigers&quot;).</extracomment>
        <translation>你没有对付『飞虎队咸猪手–Krellik』的符咒可用！</translation>
    </message>
    <message>
        <source>請點按你要去的房間！</source>
        <extracomment>A charm is armed: the next click on the map takes the hero there.</extracomment>
        <translation>请点击你要去的房间！</translation>
    </message>
</context>
<context>
    <name>Failures</name>
    <message>
        <source>初始化音效失敗！</source>
        <translation>初始化音效失败！</translation>
    </message>
    <message>
        <source>無法找到音效檔案！</source>
        <translation>无法找到音效文件！</translation>
    </message>
    <message>
        <source>無法載入遊戲圖像，請重新安裝遊戲！</source>
        <translation>无法加载游戏图像，请重新安装游戏！</translation>
    </message>
    <message>
        <source>遊戲發生意外錯誤，必須結束！</source>
        <translation>游戏发生意外错误，必须结束！</translation>
    </message>
</context>
<context>
    <name>How to play</name>
    <message>
        <source>點樣玩</source>
        <extracomment>The card&apos;s headline, one line of 300 pixels on its banner.</extracomment>
        <translation>怎么玩</translation>
    </message>
    <message>
        <source>【目標】你係PELLAMORN，要喺地下城搵到《Zorvath》同打低佢！撳隔籬間房（或者用方向鍵、WASD）就行過去，有門先入到。</source>
        <extracomment>Beside the hero. Walking: a click on a neighbouring room or a walking key.</extracomment>
        <translation>【目标】你是PELLAMORN，要在地下城里找到《Zorvath》并打倒它！点击相邻的房间（或者用方向键、WASD）就能走过去，有门才进得去。</translation>
    </message>
    <message>
        <source>【攻擊力同餡餅】每行一步扣1點攻擊力，冇餡餅就扣2點；每行三步食一個餡餅。攻擊力冇晒就死硬！健康部嘅餡餅10港幣5個。</source>
        <extracomment>Beside a pie: what a step costs.</extracomment>
        <translation>【攻击力和馅饼】每走一步扣1点攻击力，没有馅饼就扣2点；每走三步吃掉一个馅饼。攻击力耗光就死定了！健康部的馅饼10港币5个。</translation>
    </message>
    <message>
        <source>【房入面】港幣、符咒、血漿；PIZZA外賣仔會偷走你四分一嘅錢；遠距離傳輸器將你掟去隨便一間房，可能係《Zorvath》嗰間！空房再入都可能有嘢。</source>
        <extracomment>Beside the gold: what rooms hold. The thief is the pizza delivery boy.</extracomment>
        <translation>【房间里】港币、符咒、血浆；PIZZA外卖仔会偷走你四分之一的钱；远距离传输器把你扔进随便一个房间，说不定就是《Zorvath》那间！空房间再进去也可能有东西。</translation>
    </message>
    <message>
        <source>【符咒】撳「使用符咒」再撳地圖上任何一間房，即刻飛過去，唔使行、唔扣攻擊力。一撳掣就用左一張。魔法部10港幣一張。</source>
        <extracomment>Beside a charm: the charm move.</extracomment>
        <translation>【符咒】点“使用符咒”再点地图上任意一个房间，马上飞过去，不用走路、不扣攻击力。一按按钮就用掉一张。魔法部10港币一张。</translation>
    </message>
    <message>
        <source>【血漿】唔使自己飲，亦都飲唔到：打贏Krellik之後攻擊力低過20，就會自動飲一瓶，加15至29點攻擊力。狀況紙上面個紅印唔係掣。</source>
        <extracomment>Beside the serum: it cannot be drunk by hand. The red seal of the status window is only a picture.</extracomment>
        <translation>【血浆】不用自己喝，也喝不了：打赢Krellik之后攻击力低于20，就会自动喝一瓶，加15到29点攻击力。状况纸上那个红印不是按钮。</translation>
    </message>
    <message>
        <source>【打Krellik】撞到佢就擲骰：你嘅點數加埋加成唔細過佢嘅，就打中佢。佢捱夠5點傷就衰，你搵到5至9個港幣。每輪都扣攻擊力；生命值或者攻擊力冇晒就死。</source>
        <extracomment>Beside the skeleton: the dice fight. A tie goes to the hero.</extracomment>
        <translation>【打Krellik】碰到它就掷骰子：你的点数加上加成不小于它的，就打中它。它挨够5点伤害就完蛋，你得到5到9个港币。每轮都扣攻击力；生命值或攻击力耗光就会死。</translation>
    </message>
    <message>
        <source>【武器】加成大約係攻擊力除20，再計武器：冇武器減4，木棍減3，小刀減2，劍減1。武器部：木棍15、小刀40、劍60港幣。</source>
        <extracomment>Beside a weapon: the bonus added to each of the hero&apos;s throws.</extracomment>
        <translation>【武器】加成大约是攻击力除以20，再算武器：没武器减4，木棍减3，小刀减2，剑减1。武器部：木棍15、小刀40、剑60港币。</translation>
    </message>
    <message>
        <source>【裝備】健康部：住宿15港幣加21至22點攻擊力，看醫生15港幣加16至17點生命值；攻擊力最多100、生命值最多50，滿左就唔好使錢！魔法部：建議20港幣，話你知《Zorvath》喺邊。</source>
        <extracomment>Beside the town: the health and magic departments. Attack stops at 100 and health at 50, so paying when full is money thrown away.</extracomment>
        <translation>【装备】健康部：住宿15港币加21到22点攻击力，看医生15港币加16到17点生命值；攻击力最多100、生命值最多50，满了就别花钱！魔法部：建议20港币，告诉你《Zorvath》在哪边。</translation>
    </message>
    <message>
        <source>【《Zorvath》】淨係魔法部嘅「對付Zorvath的東西」（80港幣）先打得低佢。你開頭得60港幣，未買之前入佢間房就會俾佢食左！贏定死都會即刻開新一局。</source>
        <extracomment>Beside 《Zorvath》: the one thing that beats it, and its price against the money a game starts with.</extracomment>
        <translation>【《Zorvath》】只有魔法部的“对付Zorvath的东西”（80港币）才打得倒它。你开局只有60港币，没买就进它的房间会被它吃掉！不管赢了还是死了，都会马上开新一局。</translation>
    </message>
    <message>
        <source>【按鍵】F1：呢張卡。方向鍵、WASD：行。Tab：揀掣；空白鍵、Enter：撳掣。Esc：閂視窗。Ctrl+Q：退出。</source>
        <extracomment>Beside the keys.</extracomment>
        <translation>【按键】F1：这张卡。方向键、WASD：走。Tab：选按钮；空格键、Enter：按下。Esc：关窗口。Ctrl+Q：退出。</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>繁體中文</source>
        <extracomment>This language&apos;s own name, in its own script, as a list of languages shows it.</extracomment>
        <translation>简体中文</translation>
    </message>
</context>
<context>
    <name>Main window</name>
    <message>
        <source>裝&#x3000;備</source>
        <extracomment>Button, 81 x 33: opens the town&apos;s shops.</extracomment>
        <translation>装&#x3000;备</translation>
    </message>
    <message>
        <source>使用符咒</source>
        <extracomment>Button, 81 x 33: arms a charm, to jump to any room.</extracomment>
        <translation>使用符咒</translation>
    </message>
    <message>
        <source>Pellamorn的 <byte value="xd"/>
狀況</source>
        <extracomment>Button, 129 x 33, two lines: opens the hero&apos;s statistics.</extracomment>
        <translation>Pellamorn的 <byte value="xd"/>
状况</translation>
    </message>
    <message>
        <source>退出</source>
        <extracomment>Button, 81 x 33.</extracomment>
        <translation>退出</translation>
    </message>
    <message>
        <source>遊戲版本:V1.1版</source>
        <extracomment>One line of 123 pixels, under the buttons.</extracomment>
        <translation>游戏版本:V1.1版</translation>
    </message>
    <message>
        <source>警告: 本Varnel公司此製作所有以現實無關,如有相同,敬請原諒</source>
        <extracomment>Two short lines, 249 pixels wide, under the buttons; the tongue-in-cheek disclaimer of a homemade game, grammar slips and all.</extracomment>
        <translation>警告: 本Varnel公司此制作所有以现实无关,如有相同,敬请原谅</translation>
    </message>
    <message>
        <source>Varnel公司 出品 ‧ 程式、美術及音效</source>
        <extracomment>One line of 257 pixels, under the buttons.</extracomment>
        <translation>Varnel公司 出品 ‧ 程序、美术及音效</translation>
    </message>
    <message>
        <source>呢個遊戲講述PELLAMORN嘅一生，係一個角色扮演遊戲。</source>
        <extracomment>Two lines, 253 pixels wide, in the top-left corner.</extracomment>
        <translation>这个游戏讲述PELLAMORN的一生，是一个角色扮演游戏。</translation>
    </message>
</context>
<context>
    <name>Map legend</name>
    <message>
        <source>起點</source>
        <extracomment>The legend of the rendered map, by item code; 0 is the start marker. Each has about 120 pixels.</extracomment>
        <translation>起点</translation>
    </message>
    <message>
        <source>血漿</source>
        <translation>血浆</translation>
    </message>
    <message>
        <source>符咒</source>
        <translation>符咒</translation>
    </message>
    <message>
        <source>港幣</source>
        <translation>港币</translation>
    </message>
    <message>
        <source>Krellik</source>
        <translation>Krellik</translation>
    </message>
    <message>
        <source>PIZZA外賣仔</source>
        <translation>PIZZA外卖小哥</translation>
    </message>
    <message>
        <source>傳輸器</source>
        <translation>传输器</translation>
    </message>
    <message>
        <source>《Zorvath》</source>
        <translation>《Zorvath》</translation>
    </message>
</context>
<context>
    <name>Settings window</name>
    <message>
        <source>設定</source>
        <extracomment>The settings window&apos;s title plate, 100 pixels.</extracomment>
        <translation>设置</translation>
    </message>
    <message>
        <source>畫面大小</source>
        <extracomment>Row names, 96 pixels each: how large the game is drawn, full screen, the sound effects&apos; volume, the language.</extracomment>
        <translation>画面大小</translation>
    </message>
    <message>
        <source>全螢幕</source>
        <translation>全屏</translation>
    </message>
    <message>
        <source>音效音量</source>
        <translation>音效音量</translation>
    </message>
    <message>
        <source>語言</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>%1 倍</source>
        <extracomment>The zoom, 80 pixels: %1 is 1 to 4.</extracomment>
        <translation>%1 倍</translation>
    </message>
    <message>
        <source>開</source>
        <extracomment>Full screen is on / off.</extracomment>
        <translation>开</translation>
    </message>
    <message>
        <source>關</source>
        <translation>关</translation>
    </message>
    <message>
        <source>切換</source>
        <extracomment>Button, 86 x 29: full screen on or off.</extracomment>
        <translation>切换</translation>
    </message>
    <message>
        <source>下次開始遊戲時使用所選的語言。</source>
        <extracomment>Under the languages, 344 pixels: a language chosen is used from the next start.</extracomment>
        <translation>下次开始游戏时使用所选的语言。</translation>
    </message>
    <message>
        <source>方向鍵／WASD<byte value="xd"/>
Tab<byte value="xd"/>
空白鍵／Enter<byte value="xd"/>
Esc<byte value="xd"/>
Ctrl+Q</source>
        <extracomment>Two columns of keys and what each does, five and six lines; the key names as the player&apos;s keyboard shows them.</extracomment>
        <translation>方向键／WASD<byte value="xd"/>
Tab<byte value="xd"/>
空格键／Enter<byte value="xd"/>
Esc<byte value="xd"/>
Ctrl+Q</translation>
    </message>
    <message>
        <source>行走<byte value="xd"/>
下一個按鈕<byte value="xd"/>
按下按鈕<byte value="xd"/>
關閉視窗<byte value="xd"/>
退出遊戲</source>
        <translation>行走<byte value="xd"/>
下一个按钮<byte value="xd"/>
按下按钮<byte value="xd"/>
关闭窗口<byte value="xd"/>
退出游戏</translation>
    </message>
    <message>
        <source>設定（F2）</source>
        <extracomment>The main window&apos;s version line opens the settings: its tip.</extracomment>
        <translation>设置（F2）</translation>
    </message>
    <message>
        <source>打鬥節奏</source>
        <extracomment>How long a fight lets the player watch the dice and its pauses.</extracomment>
        <translation>战斗节奏</translation>
    </message>
    <message>
        <source>原汁原味</source>
        <extracomment>The battle pace, 80 pixels: every pause as the game was made...</extracomment>
        <translation>原汁原味</translation>
    </message>
    <message>
        <source>快啲</source>
        <extracomment>... or each at a quarter of its length.</extracomment>
        <translation>快速</translation>
    </message>
    <message>
        <source>點樣玩<byte value="xd"/>
設定<byte value="xd"/>
全螢幕<byte value="xd"/>
放大<byte value="xd"/>
縮小<byte value="xd"/>
原本大小</source>
        <translation>怎么玩<byte value="xd"/>
设置<byte value="xd"/>
全屏<byte value="xd"/>
放大<byte value="xd"/>
缩小<byte value="xd"/>
原始大小</translation>
    </message>
</context>
<context>
    <name>Sides</name>
    <message>
        <source>北</source>
        <extracomment>A side, in the advice (&quot;... 北邊！&quot;) and in the dungeon messages (&quot;東面&quot;).</extracomment>
        <translation>北</translation>
    </message>
    <message>
        <source>南</source>
        <translation>南</translation>
    </message>
    <message>
        <source>西</source>
        <translation>西</translation>
    </message>
    <message>
        <source>東</source>
        <translation>东</translation>
    </message>
</context>
<context>
    <name>Status window</name>
    <message>
        <source>         Pellamorn的狀況 <byte value="xd"/>
</source>
        <extracomment>The status window&apos;s heading, 169 pixels; the blanks centre it.</extracomment>
        <translation>         Pellamorn的状况 <byte value="xd"/>
</translation>
    </message>
    <message>
        <source>生命值: </source>
        <translation>生命值: </translation>
    </message>
    <message>
        <source>攻擊力: </source>
        <translation>攻击力: </translation>
    </message>
    <message>
        <source>餡餅: </source>
        <translation>馅饼: </translation>
    </message>
    <message>
        <source>港幣: </source>
        <translation>港币: </translation>
    </message>
    <message>
        <source>對付Krellik符咒: </source>
        <translation>对付Krellik符咒: </translation>
    </message>
    <message>
        <source>血漿: </source>
        <translation>血浆: </translation>
    </message>
    <message>
        <source>對付《Zorvath》的東西: </source>
        <extracomment>1 once the thing that beats Zorvath has been bought, else 0.</extracomment>
        <translation>对付《Zorvath》的东西: </translation>
    </message>
    <message>
        <source>武器: </source>
        <extracomment>0 none, 1 club, 2 knife, 3 sword.</extracomment>
        <translation>武器: </translation>
    </message>
</context>
<context>
    <name>Town</name>
    <message>
        <source>你的錢不夠！</source>
        <extracomment>A purchase the hero&apos;s money does not cover.</extracomment>
        <translation>你的钱不够！</translation>
    </message>
    <message>
        <source>健康部</source>
        <extracomment>The hub&apos;s three departments.</extracomment>
        <translation>健康部</translation>
    </message>
    <message>
        <source>魔法部</source>
        <translation>魔法部</translation>
    </message>
    <message>
        <source>武器部</source>
        <translation>武器部</translation>
    </message>
    <message>
        <source>買餡餅</source>
        <extracomment>Five pies, eaten as the hero walks.</extracomment>
        <translation>买馅饼</translation>
    </message>
    <message>
        <source>住&#x3000;宿</source>
        <extracomment>A night&apos;s lodging: gives back attack points.</extracomment>
        <translation>住&#x3000;宿</translation>
    </message>
    <message>
        <source>看醫生</source>
        <extracomment>A doctor&apos;s visit: gives back health points.</extracomment>
        <translation>看医生</translation>
    </message>
    <message>
        <source>你已經好好地休息了一成晚！</source>
        <extracomment>Message box, first line, then an empty line and &quot;增加21 點攻擊力！&quot;.</extracomment>
        <translation>你已经好好地休息了一整晚！</translation>
    </message>
    <message>
        <source>增加</source>
        <extracomment>Before the points gained: &quot;增加21 點攻擊力！&quot;, &quot;增加16 點生命值！&quot;.</extracomment>
        <translation>增加</translation>
    </message>
    <message>
        <source> 點攻擊力！</source>
        <translation> 点攻击力！</translation>
    </message>
    <message>
        <source>醫生已經醫好左你！</source>
        <extracomment>Message box, first line, then an empty line and &quot;增加16 點生命值！&quot;.</extracomment>
        <translation>医生已经治好了你！</translation>
    </message>
    <message>
        <source> 點生命值！</source>
        <translation> 点生命值！</translation>
    </message>
    <message>
        <source>符&#x3000;咒</source>
        <extracomment>A charm against the skeleton Krellik.</extracomment>
        <translation>符&#x3000;咒</translation>
    </message>
    <message>
        <source>建&#x3000;議</source>
        <extracomment>Advice: which way Zorvath lies.</extracomment>
        <translation>建&#x3000;议</translation>
    </message>
    <message>
        <source>對付Zorvath的東西</source>
        <extracomment>The one thing that beats Zorvath.</extracomment>
        <translation>对付Zorvath的东西</translation>
    </message>
    <message>
        <source>《Zorvath》 在你的 </source>
        <extracomment>The advice: &quot;《Zorvath》 在你的 北邊！&quot;, the word one of the four below.</extracomment>
        <translation>《Zorvath》 在你的 </translation>
    </message>
    <message>
        <source>邊！</source>
        <translation>边！</translation>
    </message>
    <message>
        <source>你已有對付《Zorvath》 的東西啦!</source>
        <translation>你已有对付《Zorvath》 的东西啦!</translation>
    </message>
    <message>
        <source>木&#x3000;棍</source>
        <extracomment>Weapons: a wooden club, a small knife, a sword.</extracomment>
        <translation>木&#x3000;棍</translation>
    </message>
    <message>
        <source>小&#x3000;刀</source>
        <translation>小&#x3000;刀</translation>
    </message>
    <message>
        <source>劍</source>
        <translation>剑</translation>
    </message>
    <message>
        <source> 港幣</source>
        <extracomment>After a ware&apos;s price, on its shelf card, 46 pixels wide: &quot;10 港幣&quot;.</extracomment>
        <translation> 港币</translation>
    </message>
</context>
<context>
    <name>Windows</name>
    <message>
        <source>PELLAMORN的一生外傳[RPG版]</source>
        <extracomment>The title of every game window (and the main window&apos;s headline).
----------
The headline over the map, one line of 169 pixels.</extracomment>
        <translation>PELLAMORN的一生外传[RPG版]</translation>
    </message>
    <message>
        <source>Gorvak</source>
        <extracomment>The title of every message box.</extracomment>
        <translation>Gorvak</translation>
    </message>
    <message>
        <source>確定</source>
        <extracomment>The OK button of message boxes and small windows, 81 x 33 pixels.</extracomment>
        <translation>确定</translation>
    </message>
</context>
</TS>
