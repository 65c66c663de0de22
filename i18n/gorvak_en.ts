<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_HK">
<context>
    <name>Combat</name>
    <message>
        <source>攻擊力增加了 </source>
        <extracomment>Before the bonus the hero&apos;s weapon and luck add to a dice throw.</extracomment>
        <translation>Attack up by </translation>
    </message>
    <message>
        <source>你找到了《Zorvath》,</source>
        <extracomment>Victory and defeat, line 1.</extracomment>
        <translation>You found 《Zorvath》,</translation>
    </message>
    <message>
        <source>     並殺了《Zorvath》！</source>
        <extracomment>Victory, line 2.</extracomment>
        <translation>   and slew 《Zorvath》!</translation>
    </message>
    <message>
        <source>    和《Zorvath》！</source>
        <extracomment>Victory, line 3: a deadpan echo.</extracomment>
        <translation>    and 《Zorvath》!</translation>
    </message>
    <message>
        <source>但《Zorvath》唔高興!</source>
        <extracomment>Defeat, line 2: without the thing that beats it, Zorvath eats the hero.</extracomment>
        <translation>but 《Zorvath》 got grumpy!</translation>
    </message>
    <message>
        <source>嗚．．．．．．．</source>
        <extracomment>Defeat, line 3: a wail.</extracomment>
        <translation>Waaaaah.......</translation>
    </message>
    <message>
        <source>你死硬啦！</source>
        <extracomment>Death, line 1: out of attack points, or a lost fight.</extracomment>
        <translation>You&apos;re dead meat!</translation>
    </message>
    <message>
        <source>做左</source>
        <extracomment>Death, line 2: &quot;became ...&quot;</extracomment>
        <translation>Now you&apos;re</translation>
    </message>
    <message>
        <source>《Zorvath》的美食！</source>
        <extracomment>Death, line 3: &quot;... Zorvath&apos;s delicacy!&quot;</extracomment>
        <translation>《Zorvath》&apos;s dinner!</translation>
    </message>
</context>
<context>
    <name>Dungeon file</name>
    <message>
        <source>第 %1 號房間的形狀編號 %2 不正確（應為 0 至 15）。</source>
        <translation>Room %1 has shape code %2, which is wrong (it must be 0 to 15).</translation>
    </message>
    <message>
        <source>第 %1 號房間的物品編號 %2 不正確（應為 0 至 7）。</source>
        <translation>Room %1 has item code %2, which is wrong (it must be 0 to 7).</translation>
    </message>
    <message>
        <source>第 %1 號房間是起點，但該處沒有房間。</source>
        <extracomment>%1: the start room, 45.</extracomment>
        <translation>Room %1 is the start, but there is no room there.</translation>
    </message>
    <message>
        <source>第 %1 號房間的%2面有門通往地圖以外。</source>
        <extracomment>%2: a side.</extracomment>
        <translation>Room %1 has a door on its %2 side that leads off the map.</translation>
    </message>
    <message>
        <source>第 %1 號房間的%2面有門通往沒有房間的第 %3 號位置。</source>
        <extracomment>%2: a side; %3: the number of the place without a room.</extracomment>
        <translation>Room %1 has a door on its %2 side into place %3, where there is no room.</translation>
    </message>
    <message>
        <source>……</source>
        <extracomment>More problems than are shown.</extracomment>
        <translation>...</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
遊戲無法開始。</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
The game cannot start.</translation>
    </message>
    <message>
        <source>無法開啟地下城檔案「%1」！</source>
        <translation>Cannot open the dungeon file &quot;%1&quot;!</translation>
    </message>
    <message>
        <source>地下城檔案「%1」太短：需要 320 位元組，但只有 %2 位元組。</source>
        <extracomment>%2: the bytes the file has.</extracomment>
        <translation>The dungeon file &quot;%1&quot; is too short: it needs 320 bytes but has only %2.</translation>
    </message>
</context>
<context>
    <name>Dungeon tool</name>
    <message>
        <source>注意：</source>
        <extracomment>Before each advisory note; notes never make a command fail.</extracomment>
        <translation>Note: </translation>
    </message>
    <message>
        <source>遊戲會接受這個地下城。</source>
        <translation>The game will accept this dungeon.</translation>
    </message>
    <message>
        <source>遊戲無法使用這個地下城。</source>
        <translation>The game cannot use this dungeon.</translation>
    </message>
    <message>
        <source>第 %1 號房間的%2面有門通往第 %3 號房間，但第 %3 號房間沒有門回來：要先從這邊走過去一次，才可以走回來。</source>
        <extracomment>%1 and %3: room numbers; %2: a side (as in the dungeon file&apos;s messages).</extracomment>
        <translation>Room %1 has a door on its %2 side into room %3, but room %3 has no door back: walk through from this side once before you can walk back.</translation>
    </message>
    <message>
        <source>由起點（第 45 號房間）走不到以下房間，只能靠符咒到達（遊戲開始時物品會洗牌，任何物品都可能落在那裡）：第 %1 號房間。</source>
        <extracomment>%1: a list of room numbers, joined by ListSeparator.</extracomment>
        <translation>These rooms cannot be walked to from the start (room 45), only reached by charm (items are shuffled when a game starts, so any item may land there): %1.</translation>
    </message>
    <message>
        <source>由起點（第 45 號房間）走不到以下房間，只能靠符咒或傳輸器到達（遊戲開始時物品會洗牌，任何物品都可能落在那裡）：第 %1 號房間。</source>
        <extracomment>%1: a list of room numbers, joined by ListSeparator.</extracomment>
        <translation>These rooms cannot be walked to from the start (room 45), only reached by charm or teleporter (items are shuffled when a game starts, so any item may land there): %1.</translation>
    </message>
    <message>
        <source>以下位置沒有房間，用符咒選中時會被拒絕：第 %1 號位置。</source>
        <extracomment>%1: a list of place numbers, joined by ListSeparator.</extracomment>
        <translation>These places have no room, and a charm aimed at one is refused: %1.</translation>
    </message>
    <message>
        <source>第 %1 號位置沒有房間，但放了%2：洗牌不會移動它，遊戲中永遠不會遇到。</source>
        <extracomment>%1: a place&apos;s number; %2: an item&apos;s name (ItemNames).</extracomment>
        <translation>Place %1 has no room but holds %2: the shuffle never moves it, so no game will ever meet it.</translation>
    </message>
    <message>
        <source>起點（第 45 號房間）放了%1：洗牌不會移動它，要離開再回來才會遇到。</source>
        <extracomment>%1: an item&apos;s name (ItemNames).</extracomment>
        <translation>The start (room 45) holds %1: the shuffle never moves it, so it is met only on leaving and coming back.</translation>
    </message>
    <message>
        <source>地下城裡沒有《Zorvath》（物品 7）：遊戲無法打勝，提示會指向第 0 號房間。</source>
        <translation>The dungeon has no 《Zorvath》 (item 7): the game cannot be won, and the advice points at room 0.</translation>
    </message>
    <message>
        <source>地下城裡有 %1 個《Zorvath》（第 %2 號房間）：洗牌後提示只會指向編號最大的一個。</source>
        <extracomment>%1: how many (2 or more); %2: a list of room numbers, joined by ListSeparator.</extracomment>
        <translation>The dungeon has %1 of 《Zorvath》 (rooms %2): after the shuffle the advice points only at the highest-numbered room.</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>血漿</source>
        <extracomment>Item names by item code, 1 to 7, as the notes put them in.</extracomment>
        <translation>a bottle of serum</translation>
    </message>
    <message>
        <source>符咒</source>
        <translation>a charm</translation>
    </message>
    <message>
        <source>港幣</source>
        <translation>HK dollars</translation>
    </message>
    <message>
        <source>Krellik</source>
        <translation>Krellik</translation>
    </message>
    <message>
        <source>PIZZA外賣仔</source>
        <translation>the pizza boy</translation>
    </message>
    <message>
        <source>遠距離傳輸器</source>
        <translation>a long-range teleporter</translation>
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
        <translation>You can&apos;t get into that room!</translation>
    </message>
    <message>
        <source> 個港幣！</source>
        <extracomment>After the amount found, 2 to 4: &quot;3 個港幣！&quot;.</extracomment>
        <translation> HK dollars!</translation>
    </message>
    <message>
        <source>       一個對付Krellik符咒！</source>
        <extracomment>A charm against the skeleton Krellik; drawn from x = 44, about 150 pixels.</extracomment>
        <translation>A charm against Krellik!</translation>
    </message>
    <message>
        <source>     &#x3000;一瓶血漿！</source>
        <extracomment>A bottle of serum: drunk in a fight, it gives attack points.</extracomment>
        <translation>  A bottle of serum!</translation>
    </message>
    <message>
        <source>   ＊PIZZA外賣仔＊ ！！!</source>
        <extracomment>The thief is a pizza delivery boy who makes off with a quarter of the money.</extracomment>
        <translation>  ＊PIZZA BOY＊ ！！!</translation>
    </message>
    <message>
        <source>一個遠距離傳輸器！</source>
        <extracomment>A long-distance teleporter: it throws the hero into another room.</extracomment>
        <translation>A long-range teleporter!</translation>
    </message>
    <message>
        <source>  &#x3000;&#x3000;撞到Krellik!</source>
        <extracomment>Ran into the skeleton Krellik: a dice fight follows.</extracomment>
        <translation> You ran into Krellik!</translation>
    </message>
    <message>
        <source>你喝左一瓶血漿！</source>
        <extracomment>Message box, first line; the second is &quot;+17 攻擊力點數！&quot;.</extracomment>
        <translation>You drank a bottle of serum!</translation>
    </message>
    <message>
        <source>+</source>
        <translation>+</translation>
    </message>
    <message>
        <source> 攻擊力點數！</source>
        <extracomment>After the attack points the serum gave: &quot;+17 攻擊力點數！&quot;.</extracomment>
        <translation> attack points!</translation>
    </message>
    <message>
        <source>你冇對付『飛虎隊咸豬手–Krellik』符咒可用！</source>
        <extracomment>No charm left. Krellik&apos;s nickname: a groper from the police special duties unit (飛虎隊, the &quot;Flying Tigers&quot;).</extracomment>
        <translation>You have no charm left against &quot;Krellik – the Flying Tigers&apos; Groper&quot;!</translation>
    </message>
    <message>
        <source>請點按你要去的房間！</source>
        <extracomment>A charm is armed: the next click on the map takes the hero there.</extracomment>
        <translation>Click the room you want to go to!</translation>
    </message>
</context>
<context>
    <name>Failures</name>
    <message>
        <source>初始化音效失敗！</source>
        <translation>The sound could not be started!</translation>
    </message>
    <message>
        <source>無法找到音效檔案！</source>
        <translation>The sound files cannot be found!</translation>
    </message>
    <message>
        <source>無法載入遊戲圖像，請重新安裝遊戲！</source>
        <translation>The game&apos;s pictures cannot be loaded. Please reinstall the game!</translation>
    </message>
    <message>
        <source>遊戲發生意外錯誤，必須結束！</source>
        <translation>Something unexpected went wrong. The game must end!</translation>
    </message>
</context>
<context>
    <name>How to play</name>
    <message>
        <source>點樣玩</source>
        <extracomment>The card&apos;s headline, one line of 300 pixels on its banner.</extracomment>
        <translation>How to Play</translation>
    </message>
    <message>
        <source>【目標】你係PELLAMORN，要喺地下城搵到《Zorvath》同打低佢！撳隔籬間房（或者用方向鍵、WASD）就行過去，有門先入到。</source>
        <extracomment>Beside the hero. Walking: a click on a neighbouring room or a walking key.</extracomment>
        <translation>GOAL: You are PELLAMORN: find 《Zorvath》 and beat it! Click a room next door (or press an arrow key or WASD) to walk there. Only doors let you through.</translation>
    </message>
    <message>
        <source>【攻擊力同餡餅】每行一步扣1點攻擊力，冇餡餅就扣2點；每行三步食一個餡餅。攻擊力冇晒就死硬！健康部嘅餡餅10港幣5個。</source>
        <extracomment>Beside a pie: what a step costs.</extracomment>
        <translation>ATTACK AND PIES: A step costs 1 attack point, 2 with no pie; every third step eats a pie. No attack left and you&apos;re dead meat! Health sells pies, 5 for 10 HK dollars.</translation>
    </message>
    <message>
        <source>【房入面】港幣、符咒、血漿；PIZZA外賣仔會偷走你四分一嘅錢；遠距離傳輸器將你掟去隨便一間房，可能係《Zorvath》嗰間！空房再入都可能有嘢。</source>
        <extracomment>Beside the gold: what rooms hold. The thief is the pizza delivery boy.</extracomment>
        <translation>IN THE ROOMS: money, charms, serum. The pizza boy pinches a quarter of your money; a teleporter flings you anywhere, maybe into 《Zorvath》&apos;s room! Empty rooms can fill up again.</translation>
    </message>
    <message>
        <source>【符咒】撳「使用符咒」再撳地圖上任何一間房，即刻飛過去，唔使行、唔扣攻擊力。一撳掣就用左一張。魔法部10港幣一張。</source>
        <extracomment>Beside a charm: the charm move.</extracomment>
        <translation>CHARMS: Press Use Charm, then click any room: you&apos;re there at once, no walking, no attack spent. Pressing uses the charm up. Magic sells them at 10 HK dollars.</translation>
    </message>
    <message>
        <source>【血漿】唔使自己飲，亦都飲唔到：打贏Krellik之後攻擊力低過20，就會自動飲一瓶，加15至29點攻擊力。狀況紙上面個紅印唔係掣。</source>
        <extracomment>Beside the serum: it cannot be drunk by hand. The red seal of the status window is only a picture.</extracomment>
        <translation>SERUM: It drinks itself (you can&apos;t): win a fight with under 20 attack left and down goes a bottle, +15 to 29 attack. The red seal on the status sheet is no button.</translation>
    </message>
    <message>
        <source>【打Krellik】撞到佢就擲骰：你嘅點數加埋加成唔細過佢嘅，就打中佢。佢捱夠5點傷就衰，你搵到5至9個港幣。每輪都扣攻擊力；生命值或者攻擊力冇晒就死。</source>
        <extracomment>Beside the skeleton: the dice fight. A tie goes to the hero.</extracomment>
        <translation>KRELLIK: Dice! Your throw plus bonus, if not below his, hits him (ties are yours). 5 damage and he&apos;s dust: 5 to 9 HK dollars. Each round costs attack; out of attack or health, you die.</translation>
    </message>
    <message>
        <source>【武器】加成大約係攻擊力除20，再計武器：冇武器減4，木棍減3，小刀減2，劍減1。武器部：木棍15、小刀40、劍60港幣。</source>
        <extracomment>Beside a weapon: the bonus added to each of the hero&apos;s throws.</extracomment>
        <translation>WEAPONS: Your bonus is about attack / 20, minus 4 bare-handed, 3 with a club, 2 with a knife, 1 with a sword. At Weapons: club 15, knife 40, sword 60 HK dollars.</translation>
    </message>
    <message>
        <source>【裝備】健康部：住宿15港幣加21至22點攻擊力，看醫生15港幣加16至17點生命值；攻擊力最多100、生命值最多50，滿左就唔好使錢！魔法部：建議20港幣，話你知《Zorvath》喺邊。</source>
        <extracomment>Beside the town: the health and magic departments. Attack stops at 100 and health at 50, so paying when full is money thrown away.</extracomment>
        <translation>SHOP: At Health, Lodging (15) gives 21-22 attack, the Doctor (15) 16-17 health; attack tops out at 100, health at 50: don&apos;t pay when full! At Magic, Advice (20) says where 《Zorvath》 lurks.</translation>
    </message>
    <message>
        <source>【《Zorvath》】淨係魔法部嘅「對付Zorvath的東西」（80港幣）先打得低佢。你開頭得60港幣，未買之前入佢間房就會俾佢食左！贏定死都會即刻開新一局。</source>
        <extracomment>Beside 《Zorvath》: the one thing that beats it, and its price against the money a game starts with.</extracomment>
        <translation>《ZORVATH》: Only the Zorvath Repellent from Magic (80 HK dollars) beats it. You start with 60: walk in without it and you&apos;re dinner! Win or die, a new game starts at once.</translation>
    </message>
    <message>
        <source>【按鍵】F1：呢張卡。方向鍵、WASD：行。Tab：揀掣；空白鍵、Enter：撳掣。Esc：閂視窗。Ctrl+Q：退出。</source>
        <extracomment>Beside the keys.</extracomment>
        <translation>KEYS: F1 this card. Arrows, WASD: walk. Tab: pick a button; Space, Enter: press it. Esc: close a window. Ctrl+Q: quit.</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>繁體中文</source>
        <extracomment>This language&apos;s own name, in its own script, as a list of languages shows it.</extracomment>
        <translation>English</translation>
    </message>
</context>
<context>
    <name>Main window</name>
    <message>
        <source>裝&#x3000;備</source>
        <extracomment>Button, 81 x 33: opens the town&apos;s shops.</extracomment>
        <translation>Shop</translation>
    </message>
    <message>
        <source>使用符咒</source>
        <extracomment>Button, 81 x 33: arms a charm, to jump to any room.</extracomment>
        <translation>Use Charm</translation>
    </message>
    <message>
        <source>Pellamorn的 <byte value="xd"/>
狀況</source>
        <extracomment>Button, 129 x 33, two lines: opens the hero&apos;s statistics.</extracomment>
        <translation>Pellamorn&apos;s<byte value="xd"/>
Status</translation>
    </message>
    <message>
        <source>退出</source>
        <extracomment>Button, 81 x 33.</extracomment>
        <translation>Quit</translation>
    </message>
    <message>
        <source>遊戲版本:V1.1版</source>
        <extracomment>One line of 123 pixels, under the buttons.</extracomment>
        <translation>Version: V1.1</translation>
    </message>
    <message>
        <source>警告: 本Varnel公司此製作所有以現實無關,如有相同,敬請原諒</source>
        <extracomment>Two short lines, 249 pixels wide, under the buttons; the tongue-in-cheek disclaimer of a homemade game, grammar slips and all.</extracomment>
        <translation>Warning: Varnel made all this up. Any likeness? Sorry!</translation>
    </message>
    <message>
        <source>Varnel公司 出品 ‧ 程式、美術及音效</source>
        <extracomment>One line of 257 pixels, under the buttons.</extracomment>
        <translation>A Varnel production ‧ code, art and sound</translation>
    </message>
    <message>
        <source>呢個遊戲講述PELLAMORN嘅一生，係一個角色扮演遊戲。</source>
        <extracomment>Two lines, 253 pixels wide, in the top-left corner.</extracomment>
        <translation>This game tells the life story of PELLAMORN. It&apos;s a role-playing game.</translation>
    </message>
</context>
<context>
    <name>Map legend</name>
    <message>
        <source>起點</source>
        <extracomment>The legend of the rendered map, by item code; 0 is the start marker. Each has about 120 pixels.</extracomment>
        <translation>Start</translation>
    </message>
    <message>
        <source>血漿</source>
        <translation>Serum</translation>
    </message>
    <message>
        <source>符咒</source>
        <translation>Charm</translation>
    </message>
    <message>
        <source>港幣</source>
        <translation>HK dollars</translation>
    </message>
    <message>
        <source>Krellik</source>
        <translation>Krellik</translation>
    </message>
    <message>
        <source>PIZZA外賣仔</source>
        <translation>Pizza boy</translation>
    </message>
    <message>
        <source>傳輸器</source>
        <translation>Teleporter</translation>
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
        <translation>Settings</translation>
    </message>
    <message>
        <source>畫面大小</source>
        <extracomment>Row names, 96 pixels each: how large the game is drawn, full screen, the sound effects&apos; volume, the language.</extracomment>
        <translation>Size</translation>
    </message>
    <message>
        <source>全螢幕</source>
        <translation>Full screen</translation>
    </message>
    <message>
        <source>音效音量</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>語言</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>%1 倍</source>
        <extracomment>The zoom, 80 pixels: %1 is 1 to 4.</extracomment>
        <translation>%1x</translation>
    </message>
    <message>
        <source>開</source>
        <extracomment>Full screen is on / off.</extracomment>
        <translation>On</translation>
    </message>
    <message>
        <source>關</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>切換</source>
        <extracomment>Button, 86 x 29: full screen on or off.</extracomment>
        <translation>Switch</translation>
    </message>
    <message>
        <source>下次開始遊戲時使用所選的語言。</source>
        <extracomment>Under the languages, 344 pixels: a language chosen is used from the next start.</extracomment>
        <translation>The language chosen is used from the next start.</translation>
    </message>
    <message>
        <source>方向鍵／WASD<byte value="xd"/>
Tab<byte value="xd"/>
空白鍵／Enter<byte value="xd"/>
Esc<byte value="xd"/>
Ctrl+Q</source>
        <extracomment>Two columns of keys and what each does, five and six lines; the key names as the player&apos;s keyboard shows them.</extracomment>
        <translation>Arrows / WASD<byte value="xd"/>
Tab<byte value="xd"/>
Space / Enter<byte value="xd"/>
Esc<byte value="xd"/>
Ctrl+Q</translation>
    </message>
    <message>
        <source>行走<byte value="xd"/>
下一個按鈕<byte value="xd"/>
按下按鈕<byte value="xd"/>
關閉視窗<byte value="xd"/>
退出遊戲</source>
        <translation>Walk<byte value="xd"/>
Next button<byte value="xd"/>
Press button<byte value="xd"/>
Close window<byte value="xd"/>
Quit</translation>
    </message>
    <message>
        <source>設定（F2）</source>
        <extracomment>The main window&apos;s version line opens the settings: its tip.</extracomment>
        <translation>Settings (F2)</translation>
    </message>
    <message>
        <source>打鬥節奏</source>
        <extracomment>How long a fight lets the player watch the dice and its pauses.</extracomment>
        <translation>Battle pace</translation>
    </message>
    <message>
        <source>原汁原味</source>
        <extracomment>The battle pace, 80 pixels: every pause as the game was made...</extracomment>
        <translation>As designed</translation>
    </message>
    <message>
        <source>快啲</source>
        <extracomment>... or each at a quarter of its length.</extracomment>
        <translation>Quick</translation>
    </message>
    <message>
        <source>點樣玩<byte value="xd"/>
設定<byte value="xd"/>
全螢幕<byte value="xd"/>
放大<byte value="xd"/>
縮小<byte value="xd"/>
原本大小</source>
        <translation>How to play<byte value="xd"/>
Settings<byte value="xd"/>
Full screen<byte value="xd"/>
Larger<byte value="xd"/>
Smaller<byte value="xd"/>
Original size</translation>
    </message>
</context>
<context>
    <name>Sides</name>
    <message>
        <source>北</source>
        <extracomment>A side, in the advice (&quot;... 北邊！&quot;) and in the dungeon messages (&quot;東面&quot;).</extracomment>
        <translation>north</translation>
    </message>
    <message>
        <source>南</source>
        <translation>south</translation>
    </message>
    <message>
        <source>西</source>
        <translation>west</translation>
    </message>
    <message>
        <source>東</source>
        <translation>east</translation>
    </message>
</context>
<context>
    <name>Status window</name>
    <message>
        <source>         Pellamorn的狀況 <byte value="xd"/>
</source>
        <extracomment>The status window&apos;s heading, 169 pixels; the blanks centre it.</extracomment>
        <translation>       Pellamorn&apos;s Status <byte value="xd"/>
</translation>
    </message>
    <message>
        <source>生命值: </source>
        <translation>Health: </translation>
    </message>
    <message>
        <source>攻擊力: </source>
        <translation>Attack: </translation>
    </message>
    <message>
        <source>餡餅: </source>
        <translation>Pies: </translation>
    </message>
    <message>
        <source>港幣: </source>
        <translation>HK dollars: </translation>
    </message>
    <message>
        <source>對付Krellik符咒: </source>
        <translation>Krellik charms: </translation>
    </message>
    <message>
        <source>血漿: </source>
        <translation>Serum: </translation>
    </message>
    <message>
        <source>對付《Zorvath》的東西: </source>
        <extracomment>1 once the thing that beats Zorvath has been bought, else 0.</extracomment>
        <translation>Zorvath Repellent: </translation>
    </message>
    <message>
        <source>武器: </source>
        <extracomment>0 none, 1 club, 2 knife, 3 sword.</extracomment>
        <translation>Weapon: </translation>
    </message>
</context>
<context>
    <name>Town</name>
    <message>
        <source>你的錢不夠！</source>
        <extracomment>A purchase the hero&apos;s money does not cover.</extracomment>
        <translation>You can&apos;t afford that!</translation>
    </message>
    <message>
        <source>健康部</source>
        <extracomment>The hub&apos;s three departments.</extracomment>
        <translation>Health</translation>
    </message>
    <message>
        <source>魔法部</source>
        <translation>Magic</translation>
    </message>
    <message>
        <source>武器部</source>
        <translation>Weapons</translation>
    </message>
    <message>
        <source>買餡餅</source>
        <extracomment>Five pies, eaten as the hero walks.</extracomment>
        <translation>Buy Pies</translation>
    </message>
    <message>
        <source>住&#x3000;宿</source>
        <extracomment>A night&apos;s lodging: gives back attack points.</extracomment>
        <translation>Lodging</translation>
    </message>
    <message>
        <source>看醫生</source>
        <extracomment>A doctor&apos;s visit: gives back health points.</extracomment>
        <translation>Doctor</translation>
    </message>
    <message>
        <source>你已經好好地休息了一成晚！</source>
        <extracomment>Message box, first line, then an empty line and &quot;增加21 點攻擊力！&quot;.</extracomment>
        <translation>You had a good long night&apos;s sleep!</translation>
    </message>
    <message>
        <source>增加</source>
        <extracomment>Before the points gained: &quot;增加21 點攻擊力！&quot;, &quot;增加16 點生命值！&quot;.</extracomment>
        <translation>You gain </translation>
    </message>
    <message>
        <source> 點攻擊力！</source>
        <translation> attack points!</translation>
    </message>
    <message>
        <source>醫生已經醫好左你！</source>
        <extracomment>Message box, first line, then an empty line and &quot;增加16 點生命值！&quot;.</extracomment>
        <translation>The doctor has patched you up!</translation>
    </message>
    <message>
        <source> 點生命值！</source>
        <translation> health points!</translation>
    </message>
    <message>
        <source>符&#x3000;咒</source>
        <extracomment>A charm against the skeleton Krellik.</extracomment>
        <translation>Charm</translation>
    </message>
    <message>
        <source>建&#x3000;議</source>
        <extracomment>Advice: which way Zorvath lies.</extracomment>
        <translation>Advice</translation>
    </message>
    <message>
        <source>對付Zorvath的東西</source>
        <extracomment>The one thing that beats Zorvath.</extracomment>
        <translation>Zorvath Repellent</translation>
    </message>
    <message>
        <source>《Zorvath》 在你的 </source>
        <extracomment>The advice: &quot;《Zorvath》 在你的 北邊！&quot;, the word one of the four below.</extracomment>
        <translation>《Zorvath》 lurks to your </translation>
    </message>
    <message>
        <source>邊！</source>
        <translation>!</translation>
    </message>
    <message>
        <source>你已有對付《Zorvath》 的東西啦!</source>
        <translation>Now you&apos;ve got the 《Zorvath》 Repellent!</translation>
    </message>
    <message>
        <source>木&#x3000;棍</source>
        <extracomment>Weapons: a wooden club, a small knife, a sword.</extracomment>
        <translation>Club</translation>
    </message>
    <message>
        <source>小&#x3000;刀</source>
        <translation>Knife</translation>
    </message>
    <message>
        <source>劍</source>
        <translation>Sword</translation>
    </message>
    <message>
        <source> 港幣</source>
        <extracomment>After a ware&apos;s price, on its shelf card, 46 pixels wide: &quot;10 港幣&quot;.</extracomment>
        <translation> HKD</translation>
    </message>
</context>
<context>
    <name>Windows</name>
    <message>
        <source>PELLAMORN的一生外傳[RPG版]</source>
        <extracomment>The title of every game window (and the main window&apos;s headline).
----------
The headline over the map, one line of 169 pixels.</extracomment>
        <translation>PELLAMORN&apos;s Life Gaiden [RPG]</translation>
    </message>
    <message>
        <source>Gorvak</source>
        <extracomment>The title of every message box.</extracomment>
        <translation>Gorvak</translation>
    </message>
    <message>
        <source>確定</source>
        <extracomment>The OK button of message boxes and small windows, 81 x 33 pixels.</extracomment>
        <translation>OK</translation>
    </message>
</context>
</TS>
